[hh.begin] header_check=<hTIMEhPIDhN_h> header_file=<"anon_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<anon_iUtils>
[hh.include.idl] idl_basename=<anon>
[hh.clone] return_type=<M::Longs> arg_type=<M::Longs> interface_name=<INTERFACE_NAME> define_id=<long> altdefid=<M_Longs>
[hh.clone.pointer] return_type=<M::Longs> arg_type=<M::Longs> define_id=<long> altdefid=<M_Longs>
[hh.make.sequence] make_type=<M_Longs> return_type=<M::Longs>
[hh.compare] return_type=<M::Longs> arg_type=<M::Longs> interface_name=<INTERFACE_NAME> define_id=<long> altdefid=<M_Longs>
[hh.clone] return_type=<M::S> arg_type=<M::S> interface_name=<INTERFACE_NAME> define_id=<long> altdefid=<M_Longs>
[hh.clone.pointer] return_type=<M::S> arg_type=<M::S> define_id=<long> altdefid=<M_Longs>
[hh.make.struct] make_type=<M_S> return_type=<ret(NT_struct_fixed M::S)> arglist=<[cchh.argument] arg_type=<member(M::S v sequence)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(NT_array_fixed member(M::S a array))> arg_name=<arg2>
[cchh.arglist.separator]
[cchh.argument] arg_type=<member(M::S vv sequence)> arg_name=<arg3>
[cchh.arglist.separator]
[cchh.argument] arg_type=<M::Longs> arg_name=<arg4>
>
[hh.compare] return_type=<M::S> arg_type=<M::S> interface_name=<INTERFACE_NAME> define_id=<long> altdefid=<M_Longs>
[hh.clone] return_type=<M::U> arg_type=<M::U> interface_name=<INTERFACE_NAME> define_id=<long> altdefid=<M_Longs>
[hh.clone.pointer] return_type=<M::U> arg_type=<M::U> define_id=<long> altdefid=<M_Longs>
[hh.make.union] make_type=<M_U> return_type=<ret(NT_union_fixed M::U)>
[hh.compare] return_type=<M::U> arg_type=<M::U> interface_name=<INTERFACE_NAME> define_id=<long> altdefid=<M_Longs>
[hh.clone] return_type=<ret(NT_interface M::I)> arg_type=<in(NT_interface M::I)> interface_name=<M::I> define_id=<long> altdefid=<M_Longs>
[hh.compare] return_type=<ret(NT_interface M::I)> arg_type=<in(NT_interface M::I)> interface_name=<M::I> define_id=<long> altdefid=<M_Longs>
[hh.clone] return_type=<M::I::Inner> arg_type=<M::I::Inner> interface_name=<M.I> define_id=<long> altdefid=<M_Longs>
[hh.clone.pointer] return_type=<M::I::Inner> arg_type=<M::I::Inner> define_id=<long> altdefid=<M_Longs>
[hh.make.struct] make_type=<M_I_Inner> return_type=<ret(NT_struct_fixed M::I::Inner)> arglist=<[cchh.argument] arg_type=<member(M::I::Inner _cxx_delete sequence)> arg_name=<arg1>
>
[hh.compare] return_type=<M::I::Inner> arg_type=<M::I::Inner> interface_name=<M.I> define_id=<long> altdefid=<M_Longs>

[hh.module.begin] module_name=<M_i>
[hh.class.begin] class_name=<M_I_i>
[hh.class.members.begin] class_name=<M_I_i>
[hh.class.constructor.begin] return_type=<> function_name=<M_I_i> class_name=<M_I_i>
[hh.class.member.end] class_name=<M_I_i>
[hh.class.end] class_name=<M_I_i>
[hh.module.end] module_name=<M_i>
[hh.end] header_check=<hTIMEhPIDhN_h>
