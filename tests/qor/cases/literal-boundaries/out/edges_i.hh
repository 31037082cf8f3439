[hh.begin] header_check=<hTIMEhPIDhN_h> header_file=<"edges_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<edges_iUtils>
[hh.include.idl] idl_basename=<edges>
[hh.declare] interface_name=<M.Edges> server_identifier=<edges>
[hh.clone] return_type=<ret(NT_enum M::Mode)> arg_type=<in(NT_enum M::Mode)> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.compare] return_type=<ret(NT_enum M::Mode)> arg_type=<in(NT_enum M::Mode)> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<ret(NT_interface M::Edges)> arg_type=<in(NT_interface M::Edges)> interface_name=<M::Edges> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.compare] return_type=<ret(NT_interface M::Edges)> arg_type=<in(NT_interface M::Edges)> interface_name=<M::Edges> define_id=<DEFINE_ID> altdefid=<ALTDEFID>

[hh.module.begin] module_name=<M_i>
[hh.class.begin] class_name=<M_Edges_i>
[hh.class.members.begin] class_name=<M_Edges_i>
[hh.class.constructor.begin] return_type=<> function_name=<M_Edges_i> class_name=<M_Edges_i>
[hh.class.member.end] class_name=<M_Edges_i>
[hh.class.member.begin] return_type=<void> function_name=<small> class_name=<M_Edges_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<in(short)> arg_name=<s>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(ushort)> arg_name=<u>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<M_Edges_i>
[hh.class.member.begin] return_type=<void> function_name=<wide> class_name=<M_Edges_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<in(longlong)> arg_name=<l>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(ulonglong)> arg_name=<u>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<M_Edges_i>
[hh.class.member.begin] return_type=<void> function_name=<bytes> class_name=<M_Edges_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<in(octet)> arg_name=<a>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(octet)> arg_name=<b>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<M_Edges_i>
[hh.class.member.begin] return_type=<void> function_name=<reals> class_name=<M_Edges_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<in(double)> arg_name=<d>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(float)> arg_name=<f>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<M_Edges_i>
[hh.class.member.begin] return_type=<void> function_name=<others> class_name=<M_Edges_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<in(char)> arg_name=<c>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(boolean)> arg_name=<b>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(NT_enum M.Mode)> arg_name=<m>
[cchh.arglist.separator]
[cchh.argument] arg_type=<in(NT_string local type)> arg_name=<s>
[cchh.arglist.separator]
[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<M_Edges_i>
[hh.class.end] class_name=<M_Edges_i>
[hh.module.end] module_name=<M_i>
[hh.end] header_check=<hTIMEhPIDhN_h>
