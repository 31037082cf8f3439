[hh.begin] header_check=<hTIMEhPIDhN_h> header_file=<"nested_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<nested_iUtils>
[hh.include.idl] idl_basename=<nested>
[hh.clone] return_type=<M::Outer::Inner> arg_type=<M::Outer::Inner> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone.pointer] return_type=<M::Outer::Inner> arg_type=<M::Outer::Inner> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.make.struct] make_type=<M_Outer_Inner> return_type=<ret(NT_struct_fixed M::Outer::Inner)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
>
[hh.compare] return_type=<M::Outer::Inner> arg_type=<M::Outer::Inner> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<ret(NT_enum M::Outer::Mode)> arg_type=<in(NT_enum M::Outer::Mode)> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.compare] return_type=<ret(NT_enum M::Outer::Mode)> arg_type=<in(NT_enum M::Outer::Mode)> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<M::Outer> arg_type=<M::Outer> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone.pointer] return_type=<M::Outer> arg_type=<M::Outer> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.make.struct] make_type=<M_Outer> return_type=<ret(NT_struct_fixed M::Outer)> arglist=<[cchh.argument] arg_type=<ret(NT_struct_fixed M::Outer::Inner)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(NT_enum M::Outer::Mode)> arg_name=<arg2>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(long)> arg_name=<arg3>
>
[hh.compare] return_type=<M::Outer> arg_type=<M::Outer> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<ret(NT_enum M::Choice::Shade)> arg_type=<in(NT_enum M::Choice::Shade)> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.compare] return_type=<ret(NT_enum M::Choice::Shade)> arg_type=<in(NT_enum M::Choice::Shade)> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<M::Choice> arg_type=<M::Choice> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone.pointer] return_type=<M::Choice> arg_type=<M::Choice> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.make.union] make_type=<M_Choice> return_type=<ret(NT_union_fixed M::Choice)>
[hh.compare] return_type=<M::Choice> arg_type=<M::Choice> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<M::Bad::Detail> arg_type=<M::Bad::Detail> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone.pointer] return_type=<M::Bad::Detail> arg_type=<M::Bad::Detail> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.make.struct] make_type=<M_Bad_Detail> return_type=<ret(NT_struct_fixed M::Bad::Detail)> arglist=<[cchh.argument] arg_type=<ret(NT_string local type)> arg_name=<arg1>
>
[hh.compare] return_type=<M::Bad::Detail> arg_type=<M::Bad::Detail> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<ret(NT_interface M::I)> arg_type=<in(NT_interface M::I)> interface_name=<M::I> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.compare] return_type=<ret(NT_interface M::I)> arg_type=<in(NT_interface M::I)> interface_name=<M::I> define_id=<DEFINE_ID> altdefid=<ALTDEFID>

[hh.module.begin] module_name=<M_i>
[hh.class.begin] class_name=<M_I_i>
[hh.class.members.begin] class_name=<M_I_i>
[hh.class.constructor.begin] return_type=<> function_name=<M_I_i> class_name=<M_I_i>
[hh.class.member.end] class_name=<M_I_i>
[hh.class.member.begin] return_type=<ret(NT_struct_fixed M.Outer)> function_name=<get> class_name=<M_I_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<M_I_i>
[hh.class.member.begin] return_type=<ret(NT_union_fixed M.Choice)> function_name=<pick> class_name=<M_I_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<M_I_i>
[hh.class.end] class_name=<M_I_i>
[hh.module.end] module_name=<M_i>
[hh.end] header_check=<hTIMEhPIDhN_h>
